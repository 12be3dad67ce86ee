list(APPEND MALVORA_CORE_SOURCES
  records/tbaccrec.cpp
  records/recordlist.cpp
  records/datafile.cpp
  records/brandtally.cpp
  records/calendar.cpp
  records/valueparse.cpp
)
