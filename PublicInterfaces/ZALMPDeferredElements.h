#pragma once
class ZALMPDeserializer;

/// Entity elements whose content a reader builds only when the entity reads
/// itself, one at a time, so that a large document is never held as one
/// tree. The tree handed to a world's read then holds each entity's element
/// with its id and attributes alone; the world asks for the complete element
/// just before the entity reads itself.
class ZALMPDeferredElements {
public:
  /// A parent to read `element` (the child at `place` among the children of
  /// its id in `collection`) from: its next child of that id is the complete
  /// element, valid until the next call. Null when the reader cannot build
  /// it; the world's read then stops.
  virtual const ZALMPDeserializer* Expand(const ZALMPDeserializer& collection, const ZALMPDeserializer& element,
                                          int place) = 0;

protected:
  ~ZALMPDeferredElements() = default;
};
