// Values no property form makes, in place of an icon's ParameterString: before the check judged
// values, each passed it and compiled into a byte the robot cannot execute (or a time it never
// meant). The codegen check now runs the robot on whatever is compiled.

#include "codegencheck.h"

#include "model/iconcatalogue.h"

#include <gtest/gtest.h>

using namespace zuvo;

TEST(CodegenFindings, ValuesNoFormMakesNeverReachTheRobot)
{
    LoadIconCatalogue();
    // Sample (1)-1: BEGIN, END, then Forward, which takes each value.
    const QByteArray keepBeginAndEnd("\0\0\0", 3);
    for (const char *params :
         {"00 1=X &H00FFFFFF", "01 1=\xE8\x8D\xB3\xEF\xBD\xAD &H00FFFFFF",
          "18 2=\xEF\xBC\xBA 1 &H00FFFFFF", "22 3=\xEF\xBC\xA1 1 \xEF\xBC\x85 &H00FFFFFF",
          "24 1=9 &H00FFFFFF", "19 1=25.6 &H00FFFFFF", "19 1=99999 &H00FFFFFF",
          "19 1=-1 &H00FFFFFF", "09 1=30 &H00FFFFFF", "00 1=", "08 1=X"}) {
        EXPECT_EQ(CheckCodegenInput(keepBeginAndEnd + params), QString()) << params;
    }
}
