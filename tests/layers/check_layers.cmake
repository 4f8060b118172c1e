# Fails when a source folder includes one above it, or one beside it, or
# includes a header without naming its folder, or when the bottom layer
# includes a header of the widget toolkit.
#   cmake -DSOURCE_DIR=<project> -DWIDGETS_DIR=<QtWidgets headers> -P check_layers.cmake
# Each folder with its layer: a folder may include only its own and lower ones.
set(layers "xpbutton=0" "services=0" "windows=1" "compose=2" "preview=2" "shell=3")

foreach(entry IN LISTS layers)
  string(REPLACE "=" ";" pair "${entry}")
  list(GET pair 0 folder)
  list(GET pair 1 layer)
  set(layer_${folder} ${layer})
  list(APPEND folders ${folder})
endforeach()

# services/ needs no window system: a header that QtWidgets ships is out.
if(NOT IS_DIRECTORY "${WIDGETS_DIR}")
  message(FATAL_ERROR "WIDGETS_DIR must name the QtWidgets header folder")
endif()

set(problems "")
foreach(folder IN LISTS folders)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^#include [\"<]")
    file(RELATIVE_PATH where "${SOURCE_DIR}" "${source}")
    foreach(line IN LISTS includes)
      if(line MATCHES "^#include <([^>]*)>")
        set(header "${CMAKE_MATCH_1}")
        if(folder STREQUAL "services" AND (header MATCHES "^QtWidgets(/|$)" OR
           (header MATCHES "^Q[A-Za-z]+$" AND EXISTS "${WIDGETS_DIR}/${header}")))
          string(APPEND problems "${where}: services/ may not include <${header}>, a widget header\n")
        endif()
        continue()
      endif()
      string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" header "${line}")
      string(REGEX MATCH "^[^/]+/" prefix "${header}")
      string(REPLACE "/" "" prefix "${prefix}")
      if(NOT DEFINED layer_${prefix})
        # Generated files (moc, resources) sit beside the build, not in a folder.
        if(NOT header MATCHES "\\.moc$|^moc_|^ui_")
          string(APPEND problems "${where}: \"${header}\" does not name its folder\n")
        endif()
      elseif(NOT prefix STREQUAL folder)
        if(NOT layer_${prefix} LESS layer_${folder})
          string(APPEND problems "${where}: ${folder}/ may not include \"${header}\"\n")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()

if(problems)
  message(FATAL_ERROR "Includes against the layers:\n${problems}")
endif()
