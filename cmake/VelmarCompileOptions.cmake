# Compile options shared by every target of the project. They are linked PRIVATE into
# each of our targets, so a project that links our libraries never inherits them.

add_library(velmar_options INTERFACE)
target_compile_options(velmar_options INTERFACE -Wall -Wextra)
# GCC 12 reports false -Wrestrict overlaps inside std::string concatenation at -O2 and
# above (GCC bug 105651); the warning says nothing about our code there.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(velmar_options INTERFACE -Wno-restrict)
endif()
# Warnings stop developer and CI builds (the Makefile's test, bench and fuzz targets turn
# this on); a user's `make run` must build with whatever a newer compiler warns about.
if(VELMAR_WERROR)
  target_compile_options(velmar_options INTERFACE -Werror)
endif()

if(VELMAR_SANITIZE)
  target_compile_options(velmar_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(velmar_options INTERFACE -fsanitize=address,undefined)
endif()

# The fuzz targets steer by the coverage of the code they call, so the libraries they
# link are instrumented too; only the targets themselves link the fuzzer's main.
if(VELMAR_FUZZ)
  target_compile_options(velmar_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

if(VELMAR_TSAN)
  target_compile_options(velmar_options INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(velmar_options INTERFACE -fsanitize=thread)
endif()

function(velmar_target_options target)
  target_link_libraries(${target} PRIVATE velmar_options)
endfunction()

# Sources of a layer: every .cpp below the folder. Adding a file needs no edit here;
# CONFIGURE_DEPENDS makes the build notice new files.
function(velmar_glob_sources out_var folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  set(${out_var} ${sources} PARENT_SCOPE)
endfunction()
