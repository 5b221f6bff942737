#pragma once
#include <iterator>
#include <span>
#include <string_view>

/// The identity of every class of the library: its name, its direct base, its
/// class-id text and whether the factory can make it by name. This table is the
/// one place where these facts are written; each class takes its identity from
/// its row (ZALMP_DEFINE_CLASS) and the factory registers only rows marked so.
class ZALMPClassTable {
public:
  struct Row {
    std::string_view className;
    std::string_view baseName;
    std::string_view classIdText;
    bool factory;
  };

  static constexpr std::span<const Row> Rows() { return kRows; }

  /// The position of `className` in the table, or -1 when it has no such class.
  static constexpr int IndexOf(std::string_view className)
  {
    for (std::size_t i = 0; i < std::size(kRows); ++i)
      if (kRows[i].className == className) return static_cast<int>(i);
    return -1;
  }

  /// The row of `className`, or null when the table has no such class.
  static constexpr const Row* Find(std::string_view className)
  {
    const int index = IndexOf(className);
    return index < 0 ? nullptr : &kRows[index];
  }

  /// The row of `className`, by value, for constant expressions; an empty row
  /// when the table has no such class.
  static constexpr Row RowOf(std::string_view className)
  {
    const int index = IndexOf(className);
    return index < 0 ? Row{} : kRows[index];
  }

private:
  static constexpr Row kRows[] = {
      {"ZALMPActuator", "ZALMPEntity", "5EAD4BEB-8E3D-4a7a-96BF-112D5E0DDD97", false},
      {"ZALMPDisplacementActuator", "ZALMPActuator", "93D94421-11AE-459b-8A24-58677A143A41", true},
      {"ZALMPDisplacementActuator2D", "ZALMPActuator", "F1CA2646-7ABB-4AAB-8CE4-D62AA77C4A74", true},
      {"ZALMPGlobalDisplacementActuator", "ZALMPActuator", "93D94421-11AE-459b-8A24-58677A143B41", true},
      {"ZALMPJointForceActuator", "ZALMPActuator", "C5C4CAB6-016C-4DE7-B2C7-C3EB7D3A6411", true},
      {"ZALMPMotor", "ZALMPActuator", "93D94421-11AE-459b-8A24-58677A143A43", true},
      {"ZALMPSpatialForceActuator", "ZALMPActuator", "37CCF0C1-A767-49B0-80C6-FA570C4C9BCB", true},
      {"ZALMPSpatialForceActuator2D", "ZALMPActuator", "BA895470-3CD3-4A64-A828-9045A559692C", true},
      {"ZALMPBody", "ZALMPEntity", "DC8D8FB9-6ECD-4707-93D5-A11AF41E855B", true},
      {"ZALMPBody2D", "ZALMPBody", "51C80380-5151-4C27-AD17-9CB525818264", true},
      {"ZALMPAxialSpring", "ZALMPConnector", "52001324-69A8-492B-A731-5C37F9DCA5A3", true},
      {"ZALMPBushing", "ZALMPConnector", "ACAEA8E1-013A-4ba6-938A-6F682974C510", true},
      {"ZALMPConnector", "ZALMPEntity", "1AD098B4-541A-4f2f-8701-6E548C40C230", false},
      {"ZALMPForceElement", "ZALMPConnector", "897F934F-DF62-447F-B43C-4F77602751B9", true},
      {"ZALMPLinearSpring", "ZALMPConnector", "CCA46C8B-A544-4590-9CE9-880EEA838308", true},
      {"ZALMPTorsionSpring", "ZALMPConnector", "2D792DD9-69D6-4177-8701-E00496C213D4", true},
      {"ZALMP0DoF", "ZALMPConstraint", "9360C18A-CD02-400A-BAB8-46A77772E1F7", true},
      {"ZALMP6DoF", "ZALMPConstraint", "176BF2B8-53E8-403b-99E3-38D09FEA994B", true},
      {"ZALMPAngle", "ZALMPConstraint", "513A51BE-BAC9-410b-9968-1929B17AF850", true},
      {"ZALMPCoaxiality", "ZALMPConstraint", "7525EEEA-82EA-41e4-BFC9-E826C18FEB1F", true},
      {"ZALMPCoincidence", "ZALMPConstraint", "D97DD118-397A-498c-A4B3-25D156F583E2", true},
      {"ZALMPConcentricity", "ZALMPConstraint", "EE3F37A0-85CC-475a-9B6A-63AFE2E066B3", true},
      {"ZALMPConstraint", "ZALMPEntity", "7F1E045F-4F56-4db2-9392-3DA8A5FC2990", false},
      {"ZALMPCylindricalConstraint", "ZALMPKinematicConstraint", "CE5F1E75-DB3D-425E-87BB-B18457533180", true},
      {"ZALMPDistance", "ZALMPConstraint", "F9250622-C718-45ab-9F44-86B6576E1BE9", true},
      {"ZALMPEquation", "ZALMPConstraint", "F7D802AB-65E2-4376-AD11-03A50ADFD052", true},
      {"ZALMPKinematicConstraint", "ZALMPConstraint", "1119F983-7340-46E1-9762-4CED9CC509EA", false},
      {"ZALMPLinearEquation", "ZALMPEquation", "F2C5A6F7-8429-48EB-BAEB-587A98C2490F", true},
      {"ZALMPNormal", "ZALMPConstraint", "8AD4A2AD-CF0B-45c1-934A-B6BAB1F0CD42", true},
      {"ZALMPParallelism", "ZALMPConstraint", "B15B637D-7193-474e-A95E-B4C9D58AD9BD", true},
      {"ZALMPPerpendicularity", "ZALMPConstraint", "0A2DBF9A-AEBB-4f3a-A5DE-B737B3A0987C", true},
      {"ZALMPPlanarConstraint", "ZALMPKinematicConstraint", "B9D5A854-44F8-45DA-B57A-F86797E2F60C", true},
      {"ZALMPPrismaticConstraint", "ZALMPKinematicConstraint", "BC308F09-8349-44B7-8983-238FFE90BB57", true},
      {"ZALMPRevoluteConstraint", "ZALMPKinematicConstraint", "9DA79E20-64E1-46FB-A3B5-1EEEBA9FBEC6", true},
      {"ZALMPRollCurveConstraint", "ZALMPConstraint", "FE7C870B-8ACE-452D-BC33-EBF61441AAB9", true},
      {"ZALMPSphericalConstraint", "ZALMPKinematicConstraint", "2D09247E-6087-49C7-A322-6001632B8A94", true},
      {"ZALMPSymmetry", "ZALMPConstraint", "1defed09-4076-47c0-8b44-dd1b69a4e3b8", true},
      {"ZALMPTangency", "ZALMPConstraint", "DD99321F-DFBD-400f-B53A-DBFCD31F7988", true},
      {"ZALMPUniversalConstraint", "ZALMPKinematicConstraint", "34596DE5-1527-4877-AD3E-43B9F92FF7D5", true},
      {"ZALMPEntity", "RVLBasicEntity", "980325BD-374E-4168-93FB-710D2C2E14A2", false},
      {"ZALMPAxisSystem", "ZALMPGeometry", "EDE08973-A4E0-4ee6-A30D-83C1253293B3", true},
      {"ZALMPCircle", "ZALMPGeometry", "31B3C405-0400-48f4-93CF-F4D427B545C8", true},
      {"ZALMPCircle2D", "ZALMPGeometry2D", "F5A9A1B4-855E-4655-AA4D-FBC37C925813", true},
      {"ZALMPCirline", "ZALMPGeometry", "3DB2E27B-60E6-4005-85C3-C062AE8D3671", true},
      {"ZALMPCone", "ZALMPGeometry", "41DA82B3-4D89-4eb1-A647-A860747013CD", true},
      {"ZALMPCurve", "ZALMPGeometry", "E9D814A4-0098-4f95-BDFF-08FB071103C6", true},
      {"ZALMPCurve2D", "ZALMPGeometry2D", "8A49ABC8-686C-4EF8-A03D-F52524B54DD1", true},
      {"ZALMPCylicone", "ZALMPGeometry", "99914B73-C4EE-4772-A8A3-DAD5626BC2EB", true},
      {"ZALMPCylinder", "ZALMPGeometry", "373926FE-8710-4a26-B7BA-D8FE17F5AA40", true},
      {"ZALMPEllipse", "ZALMPGeometry", "2C5061F4-6F15-4565-B119-29CA0D8B953D", true},
      {"ZALMPGeometry", "ZALMPEntity", "75F51E72-CC9C-44c3-AE3B-5F1AF2E51326", false},
      {"ZALMPGeometry2D", "ZALMPGeometry", "6022510F-CB60-4C97-AF2B-7B467469472E", false},
      {"ZALMPHyperbola", "ZALMPGeometry", "33B59224-4573-4659-B071-6992102A46BB", true},
      {"ZALMPLine", "ZALMPGeometry", "B684BDE5-65A2-4edd-8408-DE764ED65963", true},
      {"ZALMPLine2D", "ZALMPGeometry2D", "5FB1652B-CCE3-4A20-A659-D506EB33B803", true},
      {"ZALMPParabola", "ZALMPGeometry", "14EFD987-446A-445c-B8AD-A26C2ED4D2E7", true},
      {"ZALMPPlane", "ZALMPGeometry", "3E9E426D-0006-4927-B66F-ABA768A7698A", true},
      {"ZALMPPoint", "ZALMPGeometry", "0F73E9C4-70E1-4c45-B6A5-9A528EF579D2", true},
      {"ZALMPPoint2D", "ZALMPGeometry2D", "50988F37-ED74-4A53-B049-948CE0206C09", true},
      {"ZALMPSketch", "ZALMPGeometry", "EE00589C-16C5-4360-A459-C7CD92E5937D", true},
      {"ZALMPSphere", "ZALMPGeometry", "B0DCE707-057F-4792-8B91-D88ECE8F1FD2", true},
      {"ZALMPSurface", "ZALMPGeometry", "46DB95EA-E1E6-4637-A7C7-50F6C73A8492", true},
      {"ZALMPTorus", "ZALMPGeometry", "2E627EB0-41C4-40a9-96F5-41EB6EAB3C59", true},
      {"ZALMPCollisionInterLayer", "ZALMPInteraction", "F4084F29-1266-416C-8A95-2A098720FFF6", true},
      {"ZALMPCollisionLayer", "ZALMPInteraction", "F42B25FA-D784-42C7-AE75-0B97C621173F", true},
      {"ZALMPCollisionRule", "ZALMPInteraction", "6E398AB1-E0F7-45D1-8D34-6F3D5E07194D", true},
      {"ZALMPInteraction", "ZALMPEntity", "BCA864C9-2331-46F5-B1F1-A18363EE9CDF", false},
      {"ZALMPCable", "ZALMPCoupling", "DA99EAA0-CF90-449b-A685-622FC6997E8D", true},
      {"ZALMPCoupling", "ZALMPJoint", "41A36EF6-3CDF-49c2-AE78-F962AE3F4561", false},
      {"ZALMPCylindrical", "ZALMPJoint", "9A41726A-78D5-4674-B8BF-E39F1A404303", true},
      {"ZALMPGear", "ZALMPCoupling", "9B315683-BFDF-42d1-8D90-0DE1E00427C6", true},
      {"ZALMPJoint", "ZALMPEntity", "30EACC4A-72AF-49ac-828E-B6822908F37F", false},
      {"ZALMPJoint2D", "ZALMPJoint", "6B6E2CD1-F7E2-401C-89D6-8E633D75DDF1", false},
      {"ZALMPPlanar", "ZALMPJoint", "C855983D-4B1F-4611-98AD-E3C735A77BFA", true},
      {"ZALMPPointCurve", "ZALMPJoint", "C9E10801-BCD5-4a39-97F4-1566D5B73542", true},
      {"ZALMPPointSurface", "ZALMPJoint", "0B713522-0419-4778-B8A8-4A76B083D773", true},
      {"ZALMPPrismatic", "ZALMPJoint", "443A4A98-0ACE-41df-BFF1-DAF3988B82C2", true},
      {"ZALMPRack", "ZALMPCoupling", "BC733B73-C8F8-4f6d-B455-8565A190E6AC", true},
      {"ZALMPRevolute", "ZALMPJoint", "8A63D1C8-9EA2-4648-9912-379A66C7B63C", true},
      {"ZALMPRigid", "ZALMPJoint", "C2AF513B-FD5A-4bb1-9000-D536BC788A02", true},
      {"ZALMPRollCurve", "ZALMPJoint", "2B25E499-F0B3-4818-BA4D-68A3D54DF62C", true},
      {"ZALMPScrew", "ZALMPCoupling", "1DE43FB1-A0F1-439a-986F-3CBFD603DE65", true},
      {"ZALMPSlideCurve", "ZALMPJoint", "50DC0FC1-85B0-4beb-BFB1-4B731DBB6A03", true},
      {"ZALMPSpherical", "ZALMPJoint", "1CB6E905-6601-49ba-9E2D-3E68544B6EBC", true},
      {"ZALMPSymmetric", "ZALMPJoint", "6EF921DF-16CE-4296-B39B-9010FC10C032", true},
      {"ZALMPUniversal", "ZALMPJoint", "41A64EF6-3CDF-49c2-AE78-F962AE3F4561", true},
      {"ZALMPUserDefined", "ZALMPJoint", "896FAB27-2CC6-4801-81EE-9C3EBCC81B10", true},
      {"ZALMPUserDefined2D", "ZALMPJoint2D", "614C1B95-A867-4171-ADDB-7083AD981714", true},
      {"ZALMPMaterial", "ZALMPEntity", "0C0D92BC-2539-4d58-888F-9C582EDB1F05", false},
      {"ZALMPAttribute", "ZALMPEntity", "138E0D53-6E69-42B5-B25C-3E2CB0A93689", false},
      {"ZALMPParameter", "ZALMPAttribute", "6B2E7454-EDC6-465E-B398-A75F9A3B7D4C", true},
      {"ZALMPState", "ZALMPAttribute", "232A05FA-B2B5-4237-BCD8-E6FC220B7860", true},
      {"ZALMPCollisionSensor", "ZALMPSensor", "39199CEE-BC80-47CA-80EB-1B4A45BDB79C", true},
      {"ZALMPConnectorSpatialForceSensor", "ZALMPSensor", "F5CC0AB7-E073-460A-AFFE-65ED0554FE91", true},
      {"ZALMPConstraintSensor", "ZALMPSensor", "86C1ABB4-60FC-4605-893A-F39F8675DA73", true},
      {"ZALMPDisplacementSensor", "ZALMPSensor", "C1FACC58-6FB0-4d0f-AEA9-04CCBF7EE9C5", true},
      {"ZALMPDisplacementSensor2D", "ZALMPSensor", "2A3F1D87-50F3-41B0-9C2B-6671CDD9F4B5", true},
      {"ZALMPDofSensor", "ZALMPSensor", "1543EE3D-9A18-4716-8A1D-79A1F3BE6020", true},
      {"ZALMPDofSensor2D", "ZALMPSensor", "948814B0-6C3F-4358-81DB-07C44E558918", true},
      {"ZALMPJointDOFSensor", "ZALMPSensor", "6AFCD03F-F0F3-4A5D-B052-65E8C2D57A58", true},
      {"ZALMPJointSpatialForceSensor", "ZALMPSensor", "A91ADC9F-78C9-4B2E-816E-B9802095A00F", true},
      {"ZALMPMotorForceSensor", "ZALMPSensor", "4385F77A-288F-49F2-982A-090E78F1AF36", true},
      {"ZALMPSensor", "ZALMPEntity", "C1FACC58-6FB0-4d0f-AEA9-04CCBF7EE9C4", false},
      {"ZALMP3DRep", "ZALMPShape", "66D45B5C-0DE5-4455-92BC-5BF454612AB0", true},
      {"ZALMPShape", "ZALMPEntity", "22BF6BE3-9C8A-4FE2-B8D0-F2F0209BAA3E", false},
      {"ZALMPShape2D", "ZALMPShape", "4F69F836-7402-47C0-B4F8-27FF45E4039F", false},
      {"ZALMPShapeBody", "ZALMPShape2D", "FCF93C86-E6C9-4FC9-B080-43952920F591", true},
      {"ZALMPSupport", "ZALMPEntity", "A2D38552-80B9-4C6C-BB90-59EAC7D208B6", true},
      {"ZALMPBoolean", "ZALMPValue", "2FCBEC9A-BD97-4F19-B8AB-670B2EE0BBAC", true},
      {"ZALMPConstant", "ZALMPValue", "64F89D0B-01C3-4FB3-92E1-028FB8F66188", true},
      {"ZALMPExpression", "ZALMPValue", "B27C3563-C7BF-4A03-B166-53D33BEA8552", true},
      {"ZALMPString", "ZALMPValue", "CB11062A-00CA-45A4-9580-5BB2E3DA5F08", true},
      {"ZALMPValue", "ZALMPEntity", "B06D8474-E35A-4405-8D99-EEED7277B78C", false},
      {"ZALMPVariable", "ZALMPEntity", "F7F19E64-062A-4122-A54D-00AF9A9932C0", true},
      {"ZALMPObserver", "RVLNotificationAgent", "31B3C405-0400-48f4-93CF-F4D427B54123", false},
      {"ZALMPWorld", "RVLExtensionObject", "55300D4C-9209-42f6-B898-33199D1A691B", false},
  };
};
