#include "WordTemplate.h"

#include "case/MotraError.h"

#include <QDateTime>
#include <QFile>
#include <QTimeZone>

#include <zip.h>

#include <memory>
#include <vector>

namespace {

struct Part
{
    const char *name; // name inside the package
    QByteArray bytes;
};

QByteArray resource(const char *name)
{
    QFile file(QStringLiteral(":/wordtemplate/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        throw MotraError(QStringLiteral("the template part %1 is missing").arg(QLatin1String(name)));
    return file.readAll();
}

struct ZipCloser
{
    void operator()(zip_t *archive) const { zip_discard(archive); }
};

} // namespace

void writeWordTemplate(const QString &path)
{
    // The package rule: "mimetype" first, stored uncompressed, so that its type can be read
    // at a fixed offset.
    const std::vector<Part> parts
        = {{"mimetype", QByteArrayLiteral("application/vnd.oasis.opendocument.text-template")},
            {"content.xml", resource("content.xml")}, {"styles.xml", resource("styles.xml")},
            {"meta.xml", resource("meta.xml")}, {"META-INF/manifest.xml", resource("manifest.xml")}};
    // A fixed time keeps the generated file the same from build to build.
    const time_t stamp = QDateTime(QDate(2024, 1, 1), QTime(0, 0), QTimeZone::utc()).toSecsSinceEpoch();

    int code = 0;
    std::unique_ptr<zip_t, ZipCloser> archive(
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code));
    auto fail = [&path](const char *what, zip_error_t *error) {
        throw MotraError(QStringLiteral("cannot write %1 (%2): %3")
                             .arg(path, QLatin1String(what), QString::fromLocal8Bit(zip_error_strerror(error))));
    };
    if (!archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        fail("open", &error);
    }
    for (const Part &part : parts) {
        // The buffers outlive zip_close: libzip reads them only then.
        zip_source_t *source = zip_source_buffer(archive.get(), part.bytes.constData(), part.bytes.size(), 0);
        if (!source)
            fail(part.name, zip_get_error(archive.get()));
        const zip_int64_t index = zip_file_add(archive.get(), part.name, source, ZIP_FL_OVERWRITE);
        if (index < 0) {
            zip_source_free(source);
            fail(part.name, zip_get_error(archive.get()));
        }
        const bool stored = qstrcmp(part.name, "mimetype") == 0;
        if (zip_set_file_compression(archive.get(), index, stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0) < 0
            || zip_file_set_mtime(archive.get(), index, stamp, 0) < 0)
            fail(part.name, zip_get_error(archive.get()));
    }
    // zip_close writes a temporary file and renames it over the old one: whole or not at all.
    if (zip_close(archive.get()) < 0)
        fail("close", zip_get_error(archive.get()));
    archive.release();
}
