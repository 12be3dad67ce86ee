list(APPEND MALVORA_CORE_SOURCES
)
list(APPEND MALVORA_UI_SOURCES
  platform/qtext.cpp
  platform/qtmessages.cpp
  platform/qtclock.cpp
)
