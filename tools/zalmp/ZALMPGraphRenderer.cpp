#include "ZALMPGraphRenderer.h"

#include <gvc.h>

#include <memory>

namespace {

struct ContextFree {
  void operator()(GVC_t* context) const { gvFreeContext(context); }
};
struct GraphClose {
  void operator()(Agraph_t* graph) const { agclose(graph); }
};
struct RenderDataFree {
  void operator()(char* data) const { gvFreeRenderData(data); }
};

// Frees the layout before the graph it belongs to is closed.
class Layout {
public:
  Layout(GVC_t* context, Agraph_t* graph)
      : m_context(context), m_graph(graph), m_made(gvLayout(context, graph, "dot") == 0)
  {
  }
  ~Layout()
  {
    if (m_made) gvFreeLayout(m_context, m_graph);
  }
  Layout(const Layout&) = delete;
  Layout& operator=(const Layout&) = delete;
  bool Made() const { return m_made; }

private:
  GVC_t* m_context;
  Agraph_t* m_graph;
  bool m_made;
};

}  // namespace

bool ZALMPGraphRenderer::Render(const std::string& dot, const std::string& format, std::string& image,
                                std::string& error)
{
  const std::unique_ptr<GVC_t, ContextFree> context(gvContext());
  if (!context) {
    error = "graphviz could not start";
    return false;
  }
  const std::unique_ptr<Agraph_t, GraphClose> graph(agmemread(dot.c_str()));
  if (!graph) {
    error = "graphviz could not read the graph";
    return false;
  }
  const Layout layout(context.get(), graph.get());
  if (!layout.Made()) {
    error = "graphviz could not lay the graph out";
    return false;
  }
  char* data = nullptr;
  unsigned int length = 0;
  const int rendered = gvRenderData(context.get(), graph.get(), format.c_str(), &data, &length);
  const std::unique_ptr<char, RenderDataFree> drawn(data);
  if (rendered != 0 || !data) {
    error = "graphviz has no renderer for " + format + " here (its plugins are missing)";
    return false;
  }
  image.assign(data, length);
  return true;
}
