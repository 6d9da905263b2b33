# Two builds of one commit in different folders give the same bytes: the
# folders' paths stay out of the programs and their debug information. Files
# are named from the source root (generated ones as build/default/...), so a
# debugger started in the source folder, or told it with "directory", finds
# them. A packager's own maps in CXXFLAGS rule.
if(CMAKE_CXX_FLAGS MATCHES "prefix-map")
    return()
endif()
include(CheckCXXCompilerFlag)
check_cxx_compiler_flag(-ffile-prefix-map=/a=b SPRHO_KENNT_FILE_PREFIX_MAP)
if(NOT SPRHO_KENNT_FILE_PREFIX_MAP)
    return()
endif()
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.)
# A build folder outside the sources gets a name of its own; of two matching
# maps the compiler takes the last.
file(RELATIVE_PATH sprho_bau_relativ ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
if(sprho_bau_relativ MATCHES "^\\.\\./")
    add_compile_options(-ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
endif()
