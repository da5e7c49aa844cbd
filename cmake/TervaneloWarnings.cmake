# Strict warnings for our own targets; third-party headers come in as SYSTEM.
function(tervanelo_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
    $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local>)
endfunction()

# The compute core must stay free of GUI and rendering libraries. This check
# runs at configure time, so an accidental dependency fails the build at once.
function(tervanelo_assert_core_only target)
  get_target_property(_libs ${target} LINK_LIBRARIES)
  get_target_property(_ilibs ${target} INTERFACE_LINK_LIBRARIES)
  foreach(_lib IN LISTS _libs _ilibs)
    if(_lib MATCHES "Qt5::(Gui|Widgets|OpenGL|PrintSupport|Svg)|VTK::|^vtk|zip|proj|liquid")
      message(FATAL_ERROR "${target} may link QtCore only, but links ${_lib}")
    endif()
  endforeach()
endfunction()
