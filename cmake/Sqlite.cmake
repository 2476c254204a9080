# SQLite for the target: the amalgamation that tools/bootstrap makes from Debian's
# sqlite3 source package (in third_party/), compiled as a plain static library. The
# cookie stores of today's browsers are SQLite databases. Defines the target hm_sqlite.
set(HM_SQLITE_SOURCE ${CMAKE_SOURCE_DIR}/third_party/sqlite3/amalgamation)
if(NOT EXISTS ${HM_SQLITE_SOURCE}/sqlite3.c)
  message(FATAL_ERROR "No SQLite amalgamation in ${HM_SQLITE_SOURCE}; run tools/bootstrap")
endif()

add_library(hm_sqlite STATIC ${HM_SQLITE_SOURCE}/sqlite3.c)
target_include_directories(hm_sqlite SYSTEM PUBLIC ${HM_SQLITE_SOURCE})
# Only what the filter needs: no extensions loaded from disk, no shared cache, and
# threads kept apart by SQLite itself (a scheduled run has its own thread).
target_compile_definitions(hm_sqlite PRIVATE
  SQLITE_THREADSAFE=1 SQLITE_OMIT_LOAD_EXTENSION SQLITE_OMIT_SHARED_CACHE SQLITE_OMIT_DEPRECATED
  SQLITE_DQS=0 SQLITE_DEFAULT_MEMSTATUS=0)
target_compile_options(hm_sqlite PRIVATE -w -O2)
