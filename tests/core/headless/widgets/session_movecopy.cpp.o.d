src/core/session/CMakeFiles/zuvo_session.dir/session_movecopy.cpp.o: \
 ../../../src/core/session/session_movecopy.cpp /usr/include/stdc-predef.h \
 /usr/include/x86_64-linux-gnu/qt6/QtCore/qstring.h \
 /usr/include/x86_64-linux-gnu/qt6/QtWidgets/QWidget \
 /usr/include/x86_64-linux-gnu/qt6/QtWidgets/qwidget.h \
 /usr/include/x86_64-linux-gnu/qt6/QtGui/qtguiglobal.h
