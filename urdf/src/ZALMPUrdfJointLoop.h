#pragma once
#include <string>
#include <string_view>

/// The loop that the joints of the URDF document `text` form from parent to
/// child links ("" when there is none, or when the text is no XML: the parser
/// then says why). Checked before parsing, because the parser's links own
/// their children, and a loop among them is never freed once the parser
/// has dropped the model it refused.
std::string ZALMPUrdfJointLoop(std::string_view text);
