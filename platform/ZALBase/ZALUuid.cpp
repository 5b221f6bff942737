#include "ZALUuid.h"

#include <uuid/uuid.h>

ZALUuid::ZALUuid()
{
  uuid_generate_random(m_bytes.data());
}

std::string ZALUuid::UUID_to_chaine() const
{
  char text[37];
  uuid_unparse_upper(m_bytes.data(), text);
  return std::string(text);
}
