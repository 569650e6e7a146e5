# cmake -DFILE=path -DLIMIT=bytes -P check_size.cmake: fails when FILE is
# larger than LIMIT bytes, and says by how much.
file(SIZE "${FILE}" size)
if(size GREATER LIMIT)
  math(EXPR over "${size} - ${LIMIT}")
  message(FATAL_ERROR "${FILE} is ${size} bytes, ${over} over the limit of ${LIMIT}")
endif()
message(STATUS "${FILE}: ${size} bytes (limit ${LIMIT})")
