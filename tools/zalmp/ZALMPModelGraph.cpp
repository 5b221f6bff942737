#include "ZALMPModelGraph.h"

#include "ZALMPToolText.h"

#include <ZALMPActuator.h>
#include <ZALMPBody.h>
#include <ZALMPConnector.h>
#include <ZALMPJoint.h>
#include <ZALMPLinkTable.h>
#include <ZALMPValue.h>
#include <ZALMPWorld.h>

#include <map>
#include <set>
#include <string_view>
#include <vector>

namespace {

// Text inside a DOT double-quoted string: quotes and backslashes escaped, a
// line break as DOT's own "\n", other control characters as spaces.
std::string Quoted(std::string_view text)
{
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\')
      quoted += {'\\', c};
    else if (c == '\n')
      quoted += "\\n";
    else
      quoted += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
  }
  return quoted + "\"";
}

// The entity's name, or its identifier when it has none.
std::string NameOf(const ZALMPEntity& entity)
{
  std::wstring name = entity.getEntityName();
  if (name.empty()) entity.GetIdentifier(name);
  return ZALMPToolText::Narrow(name);
}

// "Revolute" for a ZALMPRevolute.
std::string KindOf(const ZALMPEntity& entity)
{
  constexpr std::string_view kPrefix = "ZALMP";
  const std::string_view name = entity.getClassName();
  return std::string(name.starts_with(kPrefix) ? name.substr(kPrefix.size()) : name);
}

// The bodies `entity` acts on: the nearest ones through its links, searched
// breadth first through partners that are neither bodies (a body ends the
// path) nor values (they only set numbers). A joint or a spring reaches its
// bodies in one step, a joint's force actuator in two through its joint, and
// a motor in four: its variable, the constraint turning that variable, and the
// constraint's joint or frames.
std::vector<const ZALMPEntity*> BodiesActedOn(const ZALMPEntity& entity)
{
  constexpr int kFarthest = 4;
  std::vector<const ZALMPEntity*> frontier{&entity};
  std::set<const ZALMPEntity*> seen{&entity};
  for (int step = 0; step < kFarthest && !frontier.empty(); ++step) {
    std::vector<const ZALMPEntity*> bodies;
    std::vector<const ZALMPEntity*> next;
    for (const ZALMPEntity* from : frontier)
      from->GetLinkTable().ForEachLink([&](const ZALMPLink& link) {
        link.ForEachPartner(*from, [&](const RVLSharedHandle<ZALMPEntity>& partner) {
          if (!partner || !seen.insert(partner.get()).second) return;
          if (partner->isDerivedFrom(ZALMPBody::ClassInfo()))
            bodies.push_back(partner.get());
          else if (!partner->isDerivedFrom(ZALMPValue::ClassInfo()))
            next.push_back(partner.get());
        });
      });
    if (!bodies.empty()) return bodies;
    frontier = std::move(next);
  }
  return {};
}

class GraphWriter {
public:
  explicit GraphWriter(const ZALMPWorld& world)
  {
    for (int index = 0; index < world.Count<ZALMPBody>(); ++index) {
      RVLSharedHandle<ZALMPBody> body;
      if (world.Get<ZALMPBody>(index, body) == S_OK && body) NodeOf(*body);
    }
    RVLSharedHandle<ZALMPBody> global;
    world.GetGlobalBody(global);
    m_global = global.get();
    if (m_global) NodeOf(*m_global);
  }

  // Edges between the bodies each filed entity of kind T acts on; `dashed`
  // ones are labelled with the entity's name as well as its kind.
  template <class T>
  void AddEdges(const ZALMPWorld& world, bool dashed)
  {
    for (int index = 0; index < world.Count<T>(); ++index) {
      RVLSharedHandle<T> entity;
      if (world.Get<T>(index, entity) != S_OK || !entity) continue;
      const std::vector<const ZALMPEntity*> bodies = BodiesActedOn(*entity);
      if (bodies.empty()) continue;
      std::string label = KindOf(*entity);
      if (dashed) label += "\n" + NameOf(*entity);
      // Joints alone rank the bodies, so the drawing follows the mechanism's chains.
      const std::string style = " [label=" + Quoted(label) + (dashed ? ", style=dashed, constraint=false]" : "]");
      const std::string first = NodeOf(*bodies.front());
      // Past the first body, each is joined to it; one body alone gets a loop.
      for (std::size_t other = bodies.size() == 1 ? 0 : 1; other < bodies.size(); ++other)
        m_edges += "  " + first + " -- " + NodeOf(*bodies[other]) + style + ";\n";
    }
  }

  std::string Text() const
  {
    std::string text = "graph model {\n  node [shape=box, style=rounded];\n  edge [fontsize=10];\n";
    for (std::size_t index = 0; index < m_nodes.size(); ++index) {
      const bool global = m_nodes[index] == m_global;
      text += "  " + IdOf(index) + " [label=" + Quoted(NameOf(*m_nodes[index]) + (global ? "\n(global)" : "")) +
              (global ? ", shape=box3d, style=filled, fillcolor=lightgrey" : "") + "];\n";
    }
    return text + m_edges + "}\n";
  }

private:
  static std::string IdOf(std::size_t index) { return "body" + std::to_string(index); }

  // The node id of `body`, numbered when it is first met.
  std::string NodeOf(const ZALMPEntity& body)
  {
    const auto [found, added] = m_index.try_emplace(&body, m_nodes.size());
    if (added) m_nodes.push_back(&body);
    return IdOf(found->second);
  }

  const ZALMPEntity* m_global = nullptr;
  std::map<const ZALMPEntity*, std::size_t> m_index;
  std::vector<const ZALMPEntity*> m_nodes;
  std::string m_edges;
};

}  // namespace

std::string ZALMPModelGraph::Dot(const ZALMPWorld& world)
{
  GraphWriter graph(world);
  graph.AddEdges<ZALMPJoint>(world, false);
  graph.AddEdges<ZALMPConnector>(world, true);
  graph.AddEdges<ZALMPActuator>(world, true);
  return graph.Text();
}
