package shop.stock;

import java.util.HashMap;
import java.util.Map;

/**
 * Keeps item counts of a small shop.
 */
public class Inventory {
    private final Map<String, Integer> counts = new HashMap<>();

    /** Adds quantity items of the given name. */
    public void add(String name, int quantity) {
        if (quantity <= 0) {
            throw new IllegalArgumentException("quantity must be positive");
        }
        counts.merge(name, quantity, Integer::sum);
    }

    /** Removes up to quantity items; returns how many were removed. */
    public int remove(String name, int quantity) {
        int have = counts.getOrDefault(name, 0);
        int taken = Math.min(have, quantity);
        switch (taken) {
            case 0:
                return 0;
            default:
                counts.put(name, have - taken);
                break;
        }
        return taken;
    }
}
