# Where the lobby program's installer is downloaded from and where the lobby
# program is installed. The program takes others from the environment
# variables LEXIBURST_LOBBY_URL and LEXIBURST_LOBBY_PATH.
set(LEXIBURST_LOBBY_URL "http://www.zorn22.example/download/Zorn22LobbySetup.exe"
    CACHE STRING "Address of the lobby installer; its last path segment names the downloaded file")
set(LEXIBURST_LOBBY_PATH "/opt/zorn22/Zorn22Lobby"
    CACHE STRING "Installed lobby program started by \"Play with Others\"")
target_compile_definitions(lexiburst_windows PRIVATE
  LEXIBURST_LOBBY_URL_DEFAULT="${LEXIBURST_LOBBY_URL}"
  LEXIBURST_LOBBY_PATH_DEFAULT="${LEXIBURST_LOBBY_PATH}")
