src/core/session/CMakeFiles/zuvo_session.dir/session_grid.cpp.o: \
 ../../../src/core/session/session_grid.cpp /usr/include/stdc-predef.h \
 ../../../src/core/session/editorsession.h \
 /usr/include/x86_64-linux-gnu/qt6/QtCore/QRect \
 /usr/include/x86_64-linux-gnu/qt6/QtCore/6.4.2/QtCore/private/qobject_p.h \
 /usr/include/c++/12/functional
