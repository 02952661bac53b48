// SPDX-License-Identifier: MIT
#include "cli/exportcommand.h"

#include "app/adoption.h"
#include "cli/datafilereading.h"
#include "cli/terminal.h"
#include "model/store.h"

#include <QFileInfo>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace ExportCommand {

int run(const QString &path)
{
    QTextStream err(stderr);
    const std::optional<StoreData> stored =
        DataFileReading::read(Store(Store::defaultDir()), u"no backup written");
    if (!stored)
        return 1;
    StoreData document = adoptedDocument(*stored);
    document.didSeed = true;

    if (path == u"-") {
        const auto error = Terminal::writeOut(RecordJson::encodeDocument(document));
        if (error) {
            err << "quaylin: cannot write the backup to standard output: " << *error << '\n';
            return 1;
        }
        return 0;
    }

    const QString shown = Terminal::escaped(path);
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        err << "quaylin: " << shown << (target.isDir() ? " is a folder" : " is not a regular file")
            << "; nothing written\n";
        return 1;
    }
    const FileResult written = Store::writeDocument(document, path);
    if (!written.ok()) {
        // The store names the system's reason, such as a full disk.
        const QFileInfo folder(target.absolutePath());
        err << "quaylin: "
            << (folder.isDir() ? Terminal::escaped(*written.error)
                               : u"cannot write "_s % shown % u" (no such folder)"_s)
            << '\n';
        return 1;
    }
    return 0;
}

} // namespace ExportCommand
