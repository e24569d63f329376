// libcurl's process-wide set-up, done once before the first handle whoever
// asks first (weather download, sync).
#pragma once

void InitCurlOnce();
