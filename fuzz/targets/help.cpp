// A help document as the help viewer opens it: topics, keywords, contents.
#include <QString>

#include "FuzzSupport.h"
#include "platform/HelpViewer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::ensureApp();
    const std::string path = fuzzsupport::scratchFile("JIGSAW.HLP", {data, size});
    platform::HelpViewer viewer(QStringLiteral("Fuzz"));
    if (viewer.openFile(QString::fromStdString(path))) {
        viewer.showContents();
        viewer.showTopic(QStringLiteral("131073"));
        viewer.showKeyword(viewer.keywords().value(0));
    }
    return 0;
}
