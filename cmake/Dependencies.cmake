find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)
find_package(ICU 72 REQUIRED COMPONENTS uc i18n data)
find_package(nlohmann_json 3.11 REQUIRED)
find_package(fmt REQUIRED)
find_package(SQLite3 REQUIRED)
find_package(CURL REQUIRED)
# libcurl is loaded at the first transfer (see CurlLibrary); only its headers are built against.
add_library(curl_headers INTERFACE)
target_include_directories(curl_headers SYSTEM INTERFACE ${CURL_INCLUDE_DIRS})
find_package(EXPAT REQUIRED)
find_package(PNG REQUIRED)
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
pkg_check_modules(PANGO REQUIRED IMPORTED_TARGET pango pangocairo pangoft2)
pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig freetype2 harfbuzz)
pkg_check_modules(LIBICAL REQUIRED IMPORTED_TARGET libical)
pkg_check_modules(SYSTEMD REQUIRED IMPORTED_TARGET libsystemd)
# libsystemd is loaded at the first notification (see BusLibrary); the product only builds against
# its headers. The tests' bus listener links it.
add_library(systemd_headers INTERFACE)
target_include_directories(systemd_headers SYSTEM INTERFACE ${SYSTEMD_INCLUDE_DIRS})
pkg_check_modules(LIBDEFLATE REQUIRED IMPORTED_TARGET libdeflate)
# The archives the program links in place of the shared libraries (see src/CMakeLists.txt), in
# link order: libical before ICU, which it uses.
set(ZAVEL_STATIC_ARCHIVES)
foreach(archive libical.a libsqlite3.a libdeflate.a libicui18n.a libicuuc.a libicudata.a)
  find_library(found_${archive} NAMES ${archive} REQUIRED)
  list(APPEND ZAVEL_STATIC_ARCHIVES ${found_${archive}})
endforeach()
