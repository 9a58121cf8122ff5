# The portable core: date entries, data files, calendar, matching and the day text.
# Each folder's sources are picked up as they are added.
file(GLOB KOYOMI_CORE_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/platform/*.cpp
  ${CMAKE_SOURCE_DIR}/data/*.cpp
  ${CMAKE_SOURCE_DIR}/calendar/*.cpp)
add_library(koyomicore STATIC ${KOYOMI_CORE_SOURCES})
target_link_libraries(koyomicore PUBLIC koyomi_options)
