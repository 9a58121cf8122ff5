# The portable core in two layers, so that the build keeps the arrows pointing down:
#   koyomidata      platform/ and data/: date entries, the entry list and its formats
#   koyomicalendar  calendar/ on top of it: calendar arithmetic, holiday rules, matching, the
#                   data file with matching and the day text
# A program or test that links only koyomidata cannot link calendar code.
# Each folder's sources are picked up as they are added.
file(GLOB KOYOMI_DATA_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/platform/*.cpp
  ${CMAKE_SOURCE_DIR}/data/*.cpp)
add_library(koyomidata STATIC ${KOYOMI_DATA_SOURCES})
target_link_libraries(koyomidata PUBLIC koyomi_options)

file(GLOB KOYOMI_CALENDAR_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/calendar/*.cpp)
add_library(koyomicalendar STATIC ${KOYOMI_CALENDAR_SOURCES})
target_link_libraries(koyomicalendar PUBLIC koyomidata)
