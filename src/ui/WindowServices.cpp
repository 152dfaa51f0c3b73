#include "ui/WindowServices.h"

WindowServices &windowServices()
{
    static WindowServices services;
    return services;
}
