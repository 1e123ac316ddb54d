# Fails when a C++ file under src/, tests/ or bench/ differs from what clang-format makes
# of it with the project's .clang-format.
cmake_minimum_required(VERSION 3.25)
if(NOT CLANG_FORMAT)
  message(FATAL_ERROR "clang-format is not installed; tools/install-deps.sh installs it")
endif()
file(GLOB_RECURSE sources "${SOURCE_DIR}/src/*.h" "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/tests/*.h"
     "${SOURCE_DIR}/tests/*.cpp" "${SOURCE_DIR}/bench/*.h" "${SOURCE_DIR}/bench/*.cpp")
execute_process(COMMAND ${CLANG_FORMAT} --style=file --dry-run --Werror ${sources}
                RESULT_VARIABLE result ERROR_VARIABLE complaints)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Files not formatted (run clang-format -i on them):\n${complaints}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files formatted")
