list(APPEND MALVORA_CORE_SOURCES
  platform/codepage.cpp
  platform/datafolder.cpp
  platform/datetimeformat.cpp
  platform/formatsettings.cpp
  platform/localeformat.cpp
  platform/paths.cpp
  platform/posixfileops.cpp
)
list(APPEND MALVORA_UI_SOURCES
  platform/guardedapplication.cpp
  platform/linklabel.cpp
  platform/qtclock.cpp
  platform/qtext.cpp
  platform/qtmessages.cpp
  platform/qtsettingsstore.cpp
  platform/qtstartpaths.cpp
  platform/shell.cpp
  platform/singleinstance.cpp
)
