# The checks behind the fuzz targets, shared by the fuzz targets and the regression tests.
include_guard(GLOBAL)
set(zuvo_fuzz_checks_dir ${CMAKE_SOURCE_DIR}/fuzz/checks)
add_library(zuvo_fuzz_checks STATIC
    ${zuvo_fuzz_checks_dir}/fuzzinput.cpp
    ${zuvo_fuzz_checks_dir}/memoroundtrip.cpp
    ${zuvo_fuzz_checks_dir}/programinvariants.cpp
    ${zuvo_fuzz_checks_dir}/robotfilecheck.cpp
    ${zuvo_fuzz_checks_dir}/programtextcheck.cpp
    ${zuvo_fuzz_checks_dir}/parameterstringcheck.cpp
    ${zuvo_fuzz_checks_dir}/codegencheck.cpp
    ${zuvo_fuzz_checks_dir}/encodingcheck.cpp
)
target_include_directories(zuvo_fuzz_checks PUBLIC ${zuvo_fuzz_checks_dir})
target_link_libraries(zuvo_fuzz_checks PUBLIC zuvo_model zuvo_check zuvo_codegen zuvo_session
                      zuvo_sim)
