// Entry point of the web client: connects to the host's WebSocket on the same port.
const url = `${location.protocol === 'https:' ? 'wss' : 'ws'}://${location.host}/ws`;
export const socket = new WebSocket(url);
