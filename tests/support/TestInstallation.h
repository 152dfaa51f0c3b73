#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh copy of the generated demo installation in a temporary folder, with MOTRA_ROOT
// pointing at it for the lifetime of the object. Tests never touch the generated tree.
class TestInstallation
{
public:
    // empty = true gives the bare folder layout of the installation without any files.
    explicit TestInstallation(bool empty = false);
    ~TestInstallation();

    bool isValid() const { return m_valid; }
    // The folder standing for drive C:.
    QString root() const { return m_dir.path(); }
    // Host path of a fixed path such as "c:\_halden\motra\skala1.txt".
    QString path(const QString &fixedPath) const;
    // Writes raw bytes to a fixed path (creating or replacing the file).
    void writeBytes(const QString &fixedPath, const QByteArray &bytes) const;
    QByteArray readBytes(const QString &fixedPath) const;
    void remove(const QString &fixedPath) const;

    // Folder of the generated demo installation.
    static QString demoDir();

private:
    QTemporaryDir m_dir;
    QByteArray m_oldRoot;
    bool m_hadRoot = false;
    bool m_valid = false;
};
