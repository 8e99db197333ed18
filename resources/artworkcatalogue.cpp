#include "artworkcatalogue.h"

namespace zuvo {

namespace {

QList<ArtworkEntry> buildCatalogue()
{
    QList<ArtworkEntry> list;
    const auto add = [&list](const char *path, int width, int height) {
        list.append({QString::fromLatin1(path), QSize(width, height)});
    };
    const int iconCodes[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                             14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 29, 30};
    for (int code : iconCodes)
        list.append({QStringLiteral(":/icons/icon_%1.svg").arg(code, 2, 10, QLatin1Char('0')),
                     QSize(48, 48)});

    for (const char *name :
         {":/buttons/copy.svg", ":/buttons/move.svg", ":/buttons/undo.svg",
          ":/buttons/undo_spent.svg", ":/buttons/clear.svg", ":/buttons/delete.svg",
          ":/buttons/check0.svg", ":/buttons/check1.svg", ":/buttons/check2.svg"})
        add(name, 52, 38);
    add(":/panels/tray.svg", 437, 84);
    add(":/panels/property.svg", 180, 85);

    for (const char *name : {":/start/box_go.svg", ":/start/box_try.svg", ":/start/box_help.svg",
                             ":/start/box_end.svg"})
        add(name, 147, 185);
    for (const char *name : {":/start/balloon_0.svg", ":/start/balloon_1.svg",
                             ":/start/balloon_2.svg", ":/start/balloon_3.svg"})
        add(name, 180, 116);
    add(":/start/logo.svg", 359, 92);

    add(":/help/banner.svg", 800, 61);
    add(":/help/title.svg", 199, 86);
    add(":/help/list_frame.svg", 303, 253);
    add(":/help/balloon.svg", 425, 253);
    add(":/help/back.svg", 129, 49);

    add(":/samples/banner.svg", 800, 61);
    add(":/samples/title.svg", 393, 86);
    for (int step = 1; step <= 5; ++step) {
        list.append({QStringLiteral(":/samples/step_%1_pale.svg").arg(step), QSize(147, 122)});
        list.append({QStringLiteral(":/samples/step_%1_bright.svg").arg(step), QSize(147, 122)});
    }
    add(":/samples/list_frame.svg", 358, 153);
    add(":/samples/ok.svg", 105, 56);
    add(":/samples/back.svg", 129, 49);

    add(":/app/zuvomatic.svg", 256, 256);
    return list;
}

} // namespace

const QList<ArtworkEntry> &artworkCatalogue()
{
    static const QList<ArtworkEntry> catalogue = buildCatalogue();
    return catalogue;
}

} // namespace zuvo
