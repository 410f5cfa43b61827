#include "shell/render_commands.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <ostream>

#include "base/file_path.h"
#include "render/png.h"
#include "shell/record_check.h"
#include "shell/start_trace.h"
#include "show/snapshot.h"
#include "show/simulated_show.h"
#include "sphere/shared_sphere_renderer.h"

namespace tenukiro {
namespace {

int WritePicture(const Raster& picture, const std::string& path, std::ostream& err) {
  if (!WritePng(picture, path)) {
    err << "tenukiro: cannot write '" << path << "'\n";
    return 1;
  }
  NoteFramePresented();
  return 0;
}

// --render --step: the full frame of one record at a show step.
int RenderSnapshotPng(const LaunchOptions& options, const Profile& profile, const std::string& programDirectory,
                      std::ostream& err) {
  SettingsRecord settings = ReadShowSettings(profile);
  SnapshotRequest request;
  request.clientWidth = options.renderSize->first;
  request.clientHeight = options.renderSize->second;
  request.screenWidth = options.screenSize ? options.screenSize->first : 0;
  request.step = options.renderStep.value_or(0);
  const Raster frame = RenderSnapshotFile(options.replayPath, settings, request,
                                          PatternPathsFor(profile, programDirectory), SharedSphereRenderer());
  if (frame.empty()) {
    err << "tenukiro: no picture of " << request.clientWidth << "x" << request.clientHeight << " can be made\n";
    return 1;
  }
  return WritePicture(frame, options.renderOutput, err);
}

int RunShow(const LaunchOptions& options, const Profile& profile, const std::string& programDirectory,
            std::ostream& err) {
  const Size client{options.renderSize->first, options.renderSize->second};
  const Size screen = options.screenSize ? Size{options.screenSize->first, options.screenSize->second} : client;
  if (Raster(client.width, client.height).empty()) {
    err << "tenukiro: no picture of " << client.width << "x" << client.height << " can be made\n";
    return 1;
  }
  SimulatedShow show(profile, client, screen, programDirectory, SharedSphereRenderer());
  if (options.action == LaunchOptions::Action::Render) {
    show.RunUntil(static_cast<uint32_t>(std::min<std::int64_t>(*options.renderAt, UINT32_MAX)));
    return WritePicture(show.Surface(), options.renderOutput, err);
  }
  std::error_code error;
  std::filesystem::create_directories(FilePath(options.framesFolder), error);
  int status = 0;
  show.RunUntil(static_cast<uint32_t>(std::min<std::int64_t>(options.renderUntil, UINT32_MAX)),
                [&](uint32_t now, const Raster& picture) {
                  char name[32];
                  std::snprintf(name, sizeof name, "/%09u.png", now);
                  if (status == 0) status = WritePicture(picture, options.framesFolder + name, err);
                });
  return status;
}

}  // namespace

int RunRenderCommand(const LaunchOptions& options, const Profile& profile, const std::string& programDirectory,
                     std::ostream& err) {
  if (options.action == LaunchOptions::Action::Render && !options.renderAt) {
    WarnAboutUnreadableRecords(std::span(&options.replayPath, 1), false, err);
    return RenderSnapshotPng(options, profile, programDirectory, err);
  }
  WarnAboutUnreadableRecords(options.renderFiles, true, err);
  return RunShow(options, profile, programDirectory, err);
}

}  // namespace tenukiro
