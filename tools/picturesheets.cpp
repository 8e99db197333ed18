// picturesheets: the pictures of the documentation for the program as a picture, made by the
// program's own code offscreen: the PNG that render writes for the largest sample, the editor's
// print preview of it, and the first page of the icon cards.
//
//   QT_QPA_PLATFORM=offscreen build/tools/picturesheets docs

#include "editor/editormenus.h"
#include "editor/editorwindow.h"
#include "model/programtext.h"
#include "model/samples.h"
#include "picture/iconcards.h"
#include "picture/picturefiles.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QTimer>
#include <cstdio>

using namespace zuvo;

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: picturesheets DOCS_DIR\n");
        return 2;
    }
    const QString docs = QString::fromLocal8Bit(argv[1]);
    int failures = 0;

    const WorkingProgram largest = LoadSlotText(BuiltInSampleSet(4).programs[0]);
    if (!SaveProgramPicture(largest, QStringLiteral("count.qvk"), {},
                            docs + QStringLiteral("/screenshots/program-picture.png"))
             .ok)
        ++failures;

    EditorWindow window(14, {});
    window.show();
    QTimer::singleShot(0, [&] {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (!preview) {
            ++failures;
            return;
        }
        // Let the preview lay out and paint its page first.
        QTimer::singleShot(300, preview, [&, preview] {
            if (!preview->grab().save(docs + QStringLiteral("/screenshots/print-preview.png")))
                ++failures;
            preview->reject();
        });
    });
    window.menus()->item(QStringLiteral(u"印刷プレビュー"))->trigger();

    // A4 at 3 pixels to the millimetre.
    QImage page(630, 891, QImage::Format_RGB32);
    {
        QPainter painter(&page);
        painter.setRenderHint(QPainter::Antialiasing);
        UseTenthsOfMillimetre(painter, page.rect());
        PaintIconCardPage(painter, 0);
    }
    if (!page.save(docs + QStringLiteral("/cards-page.png")))
        ++failures;
    return failures == 0 ? 0 : 1;
}
