#include "app/ListComboBox.h"

ListComboBox::ListComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void ListComboBox::showPopup()
{
    if (m_beforePopup)
        m_beforePopup();
    QComboBox::showPopup();
}
