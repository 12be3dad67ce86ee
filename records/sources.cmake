list(APPEND MALVORA_CORE_SOURCES
  records/tbaccrec.cpp
  records/recordlist.cpp
  records/calendar.cpp
  records/valueparse.cpp
)
