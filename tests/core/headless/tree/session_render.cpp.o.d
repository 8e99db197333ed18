src/core/session/CMakeFiles/zuvo_session.dir/session_render.cpp.o: \
 ../../../src/core/session/session_render.cpp \
 ../../../src/ui/common/picturebox.h
