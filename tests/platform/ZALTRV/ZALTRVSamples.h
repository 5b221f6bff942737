#pragma once
#include <ZALBody.h>
#include <ZALITRVObjectsSave.h>
#include <ZALTRVArc.h>
#include <ZALTRVCylinder.h>
#include <ZALTRVLine.h>
#include <ZALTRVObjectList.h>
#include <ZALTRVPlane.h>
#include <ZALTRVStream.h>

#include <gtest/gtest.h>

#include <numbers>
#include <vector>

// One object of every kind, with numbers whose every bit matters (a negative
// zero, thirds, a full turn), in a list: line, arc, plane, cylinder, face, body.
inline ZALTRVObjectList SampleObjects()
{
  const ZALTRVCircularSpan arc{{1.0, 2.0, 3.0}, {0.0, 0.0, 2.0}, {1.0, 0.0, 0.5}, 2.0, -0.5, 1.0 / 3.0};
  const ZALTRVCircularSpan round{{0.0, -0.0, 0.0}, {0.0, 0.0, 1.0}, {1.0, 0.0, 0.0}, 0.5, 0.0,
                                 2.0 * std::numbers::pi};
  const ZALBaseUnknownRef<ZALTRVPlane> plane =
      ZALTRVPlane::Create({0.0, 0.0, 1.0}, {1.0, 0.0, 0.0}, {0.0, 2.0, 0.0}, -1.0, 1.0, 0.0, 3.0);
  const ZALBaseUnknownRef<ZALTRVCylinder> cylinder = ZALTRVCylinder::Create(round, -1.0, 1.0);
  const ZALBaseUnknownRef<ZALBody> body = ZALBody::Create("Block");
  body->AddFace(ZALTRVFace::Create("Top", plane.get()).get());
  body->AddFace(ZALTRVFace::Create("Side", cylinder.get()).get());

  ZALTRVObjectList list;
  list.Append(ZALTRVLine::Create({-0.0, 0.0, 0.0}, {3.0, 4.0, 0.0}).get());
  list.Append(ZALTRVArc::Create(arc).get());
  list.Append(plane.get());
  list.Append(cylinder.get());
  list.Append(ZALTRVFace::Create("Top", plane.get()).get());
  list.Append(body.get());
  EXPECT_EQ(6, list.Size()) << "a sample maker refused its numbers";
  return list;
}

// The bytes of `list` saved in a stream of type 11 and flag 3, with or without a header.
inline std::vector<unsigned char> SavedBytes(const ZALTRVObjectList& list, bool withHeader)
{
  ZALTRVStream stream(0, 11, 3);
  if (withHeader) {
    EXPECT_EQ(S_OK, stream.OpenWriteStreamHeader(ZALTRVStream::kHeaderVersion));
  }
  EXPECT_EQ(S_OK, ZALITRVObjectsSave::Save(stream, list));
  if (withHeader) {
    EXPECT_EQ(S_OK, stream.CloseStreamHeader());
  }
  return stream.GetMemoryCopy();
}
