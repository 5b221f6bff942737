#pragma once

/// Non-zero when the host runs in its development stage (failure reports shown).
int ZALDevelopmentStage();

/// Sets the answer of ZALDevelopmentStage for this process (off by default).
void ZALSetDevelopmentStage(int stage);
