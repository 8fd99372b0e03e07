# Fails when a colour is written out in the application's code instead of being taken by name
# from ThemeColors: a hex colour in a string ("#6E8A7E"), a QColor built from a literal, one of
# Qt's predefined colours, or a colour keyword in a style sheet ("color: green;"). The theme
# folder, where the colours are named, is exempt. Run with -DSOURCE_DIR=<repository>.
set(folders app data services sync ui)
set(hex "[0-9A-Fa-f]")
set(literal "(\"|'|[0-9]|Qt::)")
set(patterns
    "\"[^\"\n]*#${hex}${hex}${hex}(${hex}${hex}${hex}(${hex}${hex})?)?[^0-9A-Za-z_]"
    "QColor[ \t]*[({][ \t]*${literal}"
    "QColor[ \t]+[A-Za-z_][A-Za-z0-9_]*[ \t]*[({][ \t]*${literal}"
    "QColor::from(Rgb|Rgba|Hsv|Hsl|Cmyk|String)"
    "Qt::(white|black|red|darkRed|green|darkGreen|blue|darkBlue|cyan|darkCyan|magenta|darkMagenta|yellow|darkYellow|gray|darkGray|lightGray)[^A-Za-z_]"
    "(color|background|border)[-a-z]*:[ \t]*(white|black|red|green|blue|gray|grey|orange|yellow)[^A-Za-z_-]")

set(sources)
foreach(folder IN LISTS folders)
    file(GLOB_RECURSE found ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    list(APPEND sources ${found})
endforeach()
list(FILTER sources EXCLUDE REGEX "^${SOURCE_DIR}/ui/theme/")

set(offenders)
foreach(source IN LISTS sources)
    file(RELATIVE_PATH where ${SOURCE_DIR} ${source})
    file(READ ${source} content)
    # A semicolon would split the matched lines into list items.
    string(REPLACE ";" "," content "${content}")
    foreach(pattern IN LISTS patterns)
        string(REGEX MATCHALL "[^\n]*${pattern}[^\n]*" lines "${content}")
        foreach(line IN LISTS lines)
            string(STRIP "${line}" line)
            list(APPEND offenders "${where}: ${line}")
        endforeach()
    endforeach()
endforeach()

if(offenders)
    list(REMOVE_DUPLICATES offenders)
    list(JOIN offenders "\n  " listing)
    message(FATAL_ERROR "Colours written out instead of named in ui/theme/themecolors:\n  ${listing}")
endif()
list(LENGTH sources count)
message(STATUS "${count} sources take their colours by name")
