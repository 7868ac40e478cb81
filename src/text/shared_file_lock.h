#pragma once
// The lock on a per-user file that the window and zeltool both change (the journal's index, the
// unit directory): how long a writer waits for another, and when a lock counts as left behind.

namespace zel::text {

// A moment: the window waits with it.
inline constexpr int kSharedLockWaitMs = 200;
// A lock older than this was left by a program that ended without freeing it.
inline constexpr int kStaleLockMs = 10000;

} // namespace zel::text
