list(APPEND MALVORA_CORE_SOURCES
  records/tbaccrec.cpp
  records/recordlist.cpp
)
