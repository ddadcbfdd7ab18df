// replaced by the server
