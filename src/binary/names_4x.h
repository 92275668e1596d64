#pragma once

// The JSON words of the enums a 4.x file holds as numbers, in their order.
namespace names4x {

constexpr const char *inherit[] = {"normal", "onlyTranslation", "noRotationOrReflection", "noScale",
                                   "noScaleOrReflection"};
constexpr const char *blend[] = {"normal", "additive", "multiply", "screen"};
constexpr const char *positionMode[] = {"fixed", "percent"};
constexpr const char *spacingMode[] = {"length", "fixed", "percent", "proportional"};
constexpr const char *rotateMode[] = {"tangent", "chain", "chainScale"};
constexpr const char *attachmentType[] = {"region", "boundingbox", "mesh", "linkedmesh",
                                          "path", "point", "clipping"};
constexpr const char *sequenceMode[] = {"hold", "once", "loop", "pingpong",
                                        "onceReverse", "loopReverse", "pingpongReverse"};

} // namespace names4x
