# For the install and package checks: the desktop entry under <root>/share
# names its icon, and the icon theme there must hold that icon at every size
# the picture generator draws, with the window's icon file beside the
# program in <home>. A desktop entry whose icon is missing shows a blank
# square in the school's menus.
function(check_desktop_icon root home)
  set(entry ${root}/share/applications/zentrik-voltaro.desktop)
  file(STRINGS ${entry} icon_line REGEX "^Icon=")
  string(REGEX REPLACE "^Icon=" "" icon "${icon_line}")
  if(icon STREQUAL "")
    message(FATAL_ERROR "${entry} names no icon")
  endif()
  foreach(size 16 24 32 48 64 128 256)
    set(png ${root}/share/icons/hicolor/${size}x${size}/apps/${icon}.png)
    if(NOT EXISTS ${png})
      message(FATAL_ERROR "the desktop entry names the icon ${icon}, but ${png} is missing")
    endif()
  endforeach()
  if(NOT EXISTS ${home}/zentrik-voltaro.ico)
    message(FATAL_ERROR "the window's icon ${home}/zentrik-voltaro.ico is missing")
  endif()
endfunction()
