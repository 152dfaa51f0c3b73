#pragma once

#include <QString>

// The demo installation's word-processor template: an OpenDocument text template package
// (whatever the installed file's name says, its content makes the word processor open it
// as a new untitled document) made from the parts under wordtemplate/. Throws MotraError.
void writeWordTemplate(const QString &path);
