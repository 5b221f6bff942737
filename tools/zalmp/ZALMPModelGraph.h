#pragma once
#include <string>

class ZALMPWorld;

/// A model's topology as a Graphviz DOT graph: each body a node labelled with
/// its name (the world's global body drawn apart and marked "(global)"), each
/// joint a solid edge between its bodies labelled with its kind, and each
/// connector or actuator that acts on bodies a dashed edge labelled with its
/// kind and name (one that acts on a single body loops on it).
///
/// Node ids are "body<N>", numbered in the order of the Body registry (bodies
/// linked to but filed nowhere follow), so the same model gives the same text.
class ZALMPModelGraph {
public:
  static std::string Dot(const ZALMPWorld& world);
};
