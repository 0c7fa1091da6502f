# "hashkey33.dat": the 165 index keys then the 165 check keys of the position
# hashing, generated from a fixed seed.
set(KV_HASHKEY_FILE ${KV_PROGRAM_DIR}/hashkey33.dat)
add_custom_command(
  OUTPUT ${KV_HASHKEY_FILE}
  COMMAND kv-hashkeygen ${KV_HASHKEY_FILE}
  DEPENDS kv-hashkeygen
  COMMENT "Generating hashkey33.dat")
add_custom_target(hashkeys ALL DEPENDS ${KV_HASHKEY_FILE})
