#pragma once

#include <QString>
#include <QStringList>

// The sample examinations of the demonstration installation: invented children (their
// names, answers and opinions say so) whose case files stand in the archive, whose paths
// stand in last.mod and some of whom have a generated photograph, so that a new user can
// open an examination in the first minute.
namespace DemoCases {

// The fixed paths of the sample case files, in the order last.mod lists them (oldest first).
QStringList caseFiles();

// Writes the case files into the archive, their photographs into the photo program's
// folder and last.mod. root is the folder standing for drive C:; the norm files must
// already be there, for the samples are scored as the program scores them.
// Throws MotraError on any failure.
void write(const QString &root);

} // namespace DemoCases
