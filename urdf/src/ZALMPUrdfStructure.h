#pragma once
#include <string>
#include <string_view>

/// What keeps the URDF document `text` from being handed to the parser ("" when
/// nothing does): malformed XML, or joints that form a loop from parent to
/// child links. The parser's links own their children, so a loop among them is
/// never freed once the parser drops the model it refused. The loop is looked
/// for in the joints as the parser's own XML reader decodes them.
std::string ZALMPUrdfStructureProblem(std::string_view text);
