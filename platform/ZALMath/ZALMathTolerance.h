#pragma once

/// Relative tolerance of the matrix tests (singular matrix, parallel
/// directions, identity rotation, similitude): far above the rounding of a few
/// products, far below any deliberate change.
inline constexpr double kZALMathRelativeTolerance = 1e-12;

/// Absolute tolerance on the translation part of the identity and scaling
/// tests: composing a placement with its own inverse leaves rounding of about
/// |translation| times 1e-16, well inside it for any model size in use.
inline constexpr double kZALMathLengthTolerance = 1e-10;
