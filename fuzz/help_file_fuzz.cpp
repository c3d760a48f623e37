// NUMBRAVA.HLP: any bytes read as a document, or refused past the size limit.
#include "fuzz_support.h"
#include "ui/help_viewer.h"

#include <QGuiApplication>
#include <QTextDocument>

using namespace numbrava;
using namespace numbrava::fuzzing;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv); // lives for the run: the document lays out text
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = inputFile(QStringLiteral("NUMBRAVA.HLP"), data, size);
    const std::optional<QString> html = readHelpFile(path);
    expect(html.has_value() == (static_cast<qint64>(size) <= kLargestHelpFile),
           "a help file of a sane size is read");
    if (!html)
        return 0;
    QTextDocument document;
    document.setHtml(*html);
    document.toPlainText();
    return 0;
}
