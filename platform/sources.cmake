list(APPEND MALVORA_CORE_SOURCES
  platform/codepage.cpp
  platform/paths.cpp
  platform/posixfileops.cpp
  platform/formatsettings.cpp
  platform/datetimeformat.cpp
  platform/datepattern.cpp
  platform/decimaldigits.cpp
  platform/localeformat.cpp
  platform/datafolder.cpp
)
list(APPEND MALVORA_UI_SOURCES
  platform/qtext.cpp
  platform/qtmessages.cpp
  platform/qtclock.cpp
  platform/guardedapplication.cpp
  platform/linklabel.cpp
  platform/qtsettingsstore.cpp
  platform/qtstartpaths.cpp
  platform/shell.cpp
  platform/singleinstance.cpp
  platform/systemlocale.cpp
)

# Shared by every number box: the editor's and the conversions tab's.
list(APPEND MALVORA_CORE_SOURCES
  platform/keyfilter.cpp
)
