# The layering of src/core, checked at configure time and by a test:
# - no file of the core includes a Qt header (the core does not link Qt);
# - a folder of the core includes only the folders below it.
# Included from src/core/CMakeLists.txt, or run as
#   cmake -DVELMAR_CORE_DIR=<folder> -P cmake/CheckCoreLayers.cmake

if(CMAKE_SCRIPT_MODE_FILE)
  cmake_policy(VERSION 3.25)
endif()

# Which folders each folder of the core may include, besides itself.
set(velmar_layers_app "")
set(velmar_layers_generators app)
set(velmar_layers_dictionaries app generators)
set(velmar_layers_document app)
set(velmar_layers_browser app generators dictionaries)
set(velmar_layers_engine app generators dictionaries document)
set(velmar_layers_tools app generators dictionaries engine)

function(velmar_check_core_layers core_dir)
  file(GLOB_RECURSE files ${core_dir}/*.cpp ${core_dir}/*.h ${core_dir}/*.inc)
  set(faults "")
  foreach(file ${files})
    file(RELATIVE_PATH relative ${core_dir} ${file})
    string(REGEX MATCH "^[^/]+" folder "${relative}")
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line ${includes})
      if(line MATCHES "#[ \t]*include[ \t]*[<\"]Q")
        list(APPEND faults "${relative} includes a Qt header; the core must stay free of Qt")
      elseif(line MATCHES "#[ \t]*include[ \t]*\"core/([^/\"]+)/")
        set(target ${CMAKE_MATCH_1})
        if(NOT target STREQUAL folder)
          if(NOT DEFINED velmar_layers_${folder})
            list(APPEND faults "${relative}: core/${folder} is not a known layer of the core")
          elseif(NOT target IN_LIST velmar_layers_${folder})
            list(APPEND faults "${relative} includes core/${target}, but core/${folder} may include only: ${velmar_layers_${folder}}")
          endif()
        endif()
      endif()
    endforeach()
  endforeach()
  if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "The core's layering is broken:\n  ${text}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE AND DEFINED VELMAR_CORE_DIR)
  get_filename_component(core_dir ${VELMAR_CORE_DIR} ABSOLUTE)
  velmar_check_core_layers(${core_dir})
endif()
