# Helpers for the project's own targets.
#
# Both deliverables link the compiler's runtime (libstdc++, libgcc, winpthread) as
# DLLs, so that strings and vectors that cross between TarvelStock.exe and
# Datavane.dll have one implementation and one heap.

get_filename_component(_mingw_gcc_dir ${CMAKE_CXX_COMPILER} DIRECTORY)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE _libstdcxx_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
# 32-bit gcc unwinds with DWARF-2 frames, 64-bit with SEH: the runtime DLL is named
# after its unwinder.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(_libgcc_name libgcc_s_seh-1.dll)
else()
  set(_libgcc_name libgcc_s_dw2-1.dll)
endif()
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${_libgcc_name}
                OUTPUT_VARIABLE _libgcc_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
find_file(_winpthread_dll libwinpthread-1.dll PATHS /usr/${TOOLCHAIN_PREFIX}/lib REQUIRED)
set(TARVEL_RUNTIME_DLLS ${_libstdcxx_dll} ${_libgcc_dll} ${_winpthread_dll})
file(MAKE_DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
foreach(dll ${TARVEL_RUNTIME_DLLS})
  file(COPY ${dll} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
endforeach()

# tarvel_add_test(NAME SOURCES... LIBS... [TIMEOUT seconds])
# A GoogleTest executable run under Wine through CTest.
#
# All tests share one Wine server and so one desktop: one cursor, one focus, one
# active window. The framework's tests move the cursor and activate windows, so
# they take turns on the desktop; the data library's tests run beside them.
function(tarvel_add_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest_main gtest)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  file(RELATIVE_PATH _dir ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  if(_dir MATCHES "^(ui|app)/")
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine_desktop)
  endif()
endfunction()

# tarvel_add_benchmark(NAME SOURCES... LIBS...)
# A program that prints figures; run on demand, never by CTest.
function(tarvel_add_benchmark name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS})
endfunction()
