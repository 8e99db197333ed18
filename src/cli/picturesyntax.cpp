// How the drawing commands are called: the tool lists them without loading their module.

#include "cli/picturecommands.h"

namespace zuvo::cli {

const CommandSyntax RenderSyntax
    = {"render", "FILE -o OUT.svg|OUT.pdf|OUT.png [--grid]",
       "draw a robot file's program as a picture; the PNG opens again as the program"};

const CommandSyntax CardsSyntax
    = {"cards", "-o OUT.pdf",
       "write every icon of the tray, BEGIN and END as cards to cut out, on A4 pages"};

} // namespace zuvo::cli
