# quillet_add_test(<name> SOURCES a.cpp b.cpp LIBS quillet_store ...)
# One Qt Test executable, registered with CTest, run on the offscreen platform.
function(quillet_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE QUILLET_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# quillet_add_tests_in_dir(LIBS ...): every tests/<dir>/test_*.cpp becomes its own test
# executable linked with LIBS; helpers_*.cpp/.h of the directory form one small library
# that every test of the directory links.
function(quillet_add_tests_in_dir)
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  get_filename_component(dirname ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  file(GLOB test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/test_*.cpp)
  file(GLOB helper_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/helpers_*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/helpers_*.h)
  set(libs ${T_LIBS})
  set(helper_cpps ${helper_sources})
  list(FILTER helper_cpps INCLUDE REGEX "\\.cpp$")
  if(helper_cpps)
    # The directory's helpers are compiled once and shared by all its tests.
    set(helpers tests_${dirname}_helpers)
    add_library(${helpers} STATIC ${helper_sources})
    target_link_libraries(${helpers} PUBLIC Qt6::Test ${T_LIBS})
    target_include_directories(${helpers} PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${helpers} PUBLIC QUILLET_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
    list(APPEND libs ${helpers})
  endif()
  foreach(src IN LISTS test_sources)
    get_filename_component(name ${src} NAME_WE)
    quillet_add_test(${dirname}_${name} SOURCES ${src} LIBS ${libs})
  endforeach()
endfunction()

# quillet_library(<name> [LIBS ...]): a static library of every .cpp/.h in the directory.
function(quillet_library name)
  cmake_parse_arguments(L "" "" "LIBS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  list(FILTER srcs INCLUDE REGEX "\\.(cpp|h|qrc)$")
  set(cpps ${srcs})
  list(FILTER cpps INCLUDE REGEX "\\.cpp$")
  if(cpps)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${L_LIBS})
  else()
    # Nothing compiled yet: headers only.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${L_LIBS})
  endif()
endfunction()
