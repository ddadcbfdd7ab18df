// Stands in until the web client proper is added: shows that the page and its script load.
document.getElementById("app").textContent = "Pictova is loading…";
