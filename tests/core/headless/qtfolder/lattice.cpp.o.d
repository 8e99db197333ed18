src/core/model/CMakeFiles/zuvo_model.dir/lattice.cpp.o: \
 /home/teacher/QtProjects/zuvomatic/src/core/model/lattice.cpp \
 /home/teacher/QtProjects/zuvomatic/src/core/model/lattice.h \
 /home/teacher/QtProjects/zuvomatic/build/src/core/model/zuvo_model_autogen/include/moc_x.cpp \
 /usr/include/x86_64-linux-gnu/qt6/QtCore/qstring.h
