// The gallery's search, sort and count. Without it the page still shows every card, in list order.
(function () {
  "use strict";
  var list = document.getElementById("cards");
  var search = document.getElementById("search");
  var sort = document.getElementById("sort");
  var count = document.getElementById("count");
  var none = document.getElementById("none");
  if (!list || !search || !sort || !count || !none) {
    return;
  }

  var cards = [];
  var children = list.children;
  for (var i = 0; i < children.length; i++) {
    var card = children[i];
    var parts = card.querySelectorAll(".name, .author, .notes");
    var text = "";
    for (var p = 0; p < parts.length; p++) {
      text += parts[p].textContent + "\n";
    }
    cards.push({
      element: card,
      index: i,
      name: card.querySelector(".name").textContent,
      text: text.toLowerCase(),
      time: Number(card.getAttribute("data-time")),
      size: Number(card.getAttribute("data-size")),
      shown: true
    });
  }

  var collator = new Intl.Collator(undefined, { sensitivity: "base", numeric: true });
  var orders = {
    name: function (a, b) { return collator.compare(a.name, b.name) || a.index - b.index; },
    newest: function (a, b) { return b.time - a.time || a.index - b.index; },
    largest: function (a, b) { return b.size - a.size || a.index - b.index; }
  };

  function SkinCount(n) {
    return n === 1 ? "1 skin" : n + " skins";
  }

  function Filter() {
    var needle = search.value.trim().toLowerCase();
    var shown = 0;
    for (var i = 0; i < cards.length; i++) {
      var c = cards[i];
      var match = needle === "" || c.text.indexOf(needle) !== -1;
      if (match !== c.shown) {
        c.shown = match;
        c.element.hidden = !match;
      }
      if (match) {
        shown++;
      }
    }
    count.textContent = shown === cards.length ? SkinCount(shown) : shown + " of " + SkinCount(cards.length);
    none.hidden = shown !== 0;
  }

  function Sort() {
    var order = Object.prototype.hasOwnProperty.call(orders, sort.value) ? orders[sort.value] : orders.name;
    var sorted = cards.slice().sort(order);
    var changed = false;
    for (var i = 0; i < sorted.length && !changed; i++) {
      changed = list.children[i] !== sorted[i].element;
    }
    if (!changed) {
      return;
    }
    var fragment = document.createDocumentFragment();
    for (var j = 0; j < sorted.length; j++) {
      fragment.appendChild(sorted[j].element);
    }
    list.appendChild(fragment);
  }

  // The address carries the search (and a sort other than by name), so a link can share it:
  // index.html#q=paper&sort=newest.
  function FromAddress() {
    var params = new URLSearchParams(location.hash.slice(1));
    search.value = params.get("q") || "";
    var wanted = params.get("sort");
    sort.value = wanted && Object.prototype.hasOwnProperty.call(orders, wanted) ? wanted : "name";
  }

  function ToAddress() {
    var params = new URLSearchParams();
    if (search.value !== "") {
      params.set("q", search.value);
    }
    if (sort.value !== "name") {
      params.set("sort", sort.value);
    }
    var hash = params.toString();
    try {
      history.replaceState(null, "", hash ? "#" + hash : location.pathname + location.search);
    } catch (e) {
      // Some browsers refuse it for pages opened from disk; the search works all the same.
    }
  }

  search.addEventListener("input", function () { Filter(); ToAddress(); });
  sort.addEventListener("change", function () { Sort(); ToAddress(); });
  window.addEventListener("hashchange", function () { FromAddress(); Sort(); Filter(); });
  FromAddress();
  Sort();
  Filter();
})();
