# One static library per source folder. Sources are the folder's own *.cpp
# files (subfolders are layers of their own); a folder with no sources yet
# becomes an interface library so the layering is in place from the start.
function(aerolune_layer name dir)
  cmake_parse_arguments(L "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp
                                      ${CMAKE_SOURCE_DIR}/${dir}/*.qrc)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.h)
  set(target aerolune_${name})
  if(sources)
    add_library(${target} STATIC ${sources} ${headers})
    target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${L_DEPS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${L_DEPS})
  endif()
endfunction()
