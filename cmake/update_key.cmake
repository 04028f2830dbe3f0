# The public key that every update must be signed with, embedded at build
# time: -DVEXBOX_UPDATE_PUBLIC_KEY=<PEM file>, as `openssl ec -pubout`
# writes it (ECDSA P-256). A build whose update host is not a loopback
# address must have one, so no release ships unsigned. A loopback build
# without one uses the development key under build/dev-key (made here with
# openssl on first use), which scripts/dev-server signs with; OFF builds
# without a key (then only the optional [sha256] is checked).
set(VEXBOX_UPDATE_PUBLIC_KEY "" CACHE STRING "PEM public key (ECDSA P-256) that signs updates; OFF for none")

string(REGEX MATCH "^(127\\.[0-9]+\\.[0-9]+\\.[0-9]+|localhost|\\[::1\\])(:[0-9]+)?$" vex_loopback_update
  "${VEXBOX_UPDATE_HOST}")
find_program(VEX_OPENSSL openssl)
set(vex_key_file "${VEXBOX_UPDATE_PUBLIC_KEY}")
# The private half of the key in use when this build made it (tests sign with it).
set(VEX_UPDATE_SIGNING_KEY "")

if(vex_key_file STREQUAL "" AND vex_loopback_update AND VEX_OPENSSL)
  set(vex_dev_key ${CMAKE_SOURCE_DIR}/build/dev-key)
  if(NOT EXISTS ${vex_dev_key}/private.pem OR NOT EXISTS ${vex_dev_key}/public.pem)
    file(MAKE_DIRECTORY ${vex_dev_key})
    execute_process(COMMAND ${VEX_OPENSSL} ecparam -name prime256v1 -genkey -noout -out ${vex_dev_key}/private.pem
      RESULT_VARIABLE made_private)
    execute_process(COMMAND ${VEX_OPENSSL} ec -in ${vex_dev_key}/private.pem -pubout -out ${vex_dev_key}/public.pem
      RESULT_VARIABLE made_public OUTPUT_QUIET ERROR_QUIET)
    if(NOT made_private EQUAL 0 OR NOT made_public EQUAL 0)
      message(FATAL_ERROR "could not make the development update key in ${vex_dev_key}")
    endif()
  endif()
  set(vex_key_file ${vex_dev_key}/public.pem)
  set(VEX_UPDATE_SIGNING_KEY ${vex_dev_key}/private.pem)
endif()
if(vex_key_file STREQUAL "OFF")
  set(vex_key_file "")
endif()

if(vex_key_file STREQUAL "" AND NOT vex_loopback_update)
  message(FATAL_ERROR "VEXBOX_UPDATE_HOST '${VEXBOX_UPDATE_HOST}' is not a loopback address: a build for it "
    "needs -DVEXBOX_UPDATE_PUBLIC_KEY=<PEM public key> (scripts/release --new-key DIR makes one)")
endif()

set(VEXBOX_UPDATE_PUBLIC_KEY_PEM "")
if(NOT vex_key_file STREQUAL "")
  get_filename_component(vex_key_file "${vex_key_file}" ABSOLUTE)
  if(NOT EXISTS "${vex_key_file}")
    message(FATAL_ERROR "VEXBOX_UPDATE_PUBLIC_KEY: no file '${vex_key_file}'")
  endif()
  file(READ "${vex_key_file}" VEXBOX_UPDATE_PUBLIC_KEY_PEM)
  if(NOT VEXBOX_UPDATE_PUBLIC_KEY_PEM MATCHES "-----BEGIN PUBLIC KEY-----" OR VEXBOX_UPDATE_PUBLIC_KEY_PEM MATCHES "PRIVATE")
    message(FATAL_ERROR "VEXBOX_UPDATE_PUBLIC_KEY: '${vex_key_file}' is no PEM public key")
  endif()
  if(VEX_OPENSSL)
    execute_process(COMMAND ${VEX_OPENSSL} pkey -pubin -in "${vex_key_file}" -noout -text
      OUTPUT_VARIABLE vex_key_text ERROR_QUIET RESULT_VARIABLE vex_key_read)
    if(NOT vex_key_read EQUAL 0 OR NOT vex_key_text MATCHES "prime256v1|P-256")
      message(FATAL_ERROR "VEXBOX_UPDATE_PUBLIC_KEY: '${vex_key_file}' is not an ECDSA P-256 public key")
    endif()
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${vex_key_file}")
  message(STATUS "Updates must be signed with ${vex_key_file}")
else()
  message(STATUS "Updates are not signed (loopback update host, no key)")
endif()
