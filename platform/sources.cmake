list(APPEND MALVORA_CORE_SOURCES
  platform/codepage.cpp
  platform/paths.cpp
  platform/posixfileops.cpp
)
list(APPEND MALVORA_UI_SOURCES
  platform/qtext.cpp
  platform/qtmessages.cpp
  platform/qtclock.cpp
)

# Shared by every number box: the editor's and the conversions tab's.
list(APPEND MALVORA_CORE_SOURCES
  platform/numberkeys.cpp
)
