# Files of this folder (paths from the project root).
list(APPEND KORVEL_CORE_SOURCES
)
list(APPEND KORVEL_WINDOWS_SOURCES
)
